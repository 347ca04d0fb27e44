// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <unistd.h>

// Acts as the user "nobody" until destroyed when the tests run as root:
// root reads any file whatever its permission bits.
class AsPlainUser {
public:
    AsPlainUser() : wasRoot_(geteuid() == 0)
    {
        if (wasRoot_ && seteuid(65534) != 0)
            qFatal("cannot act as nobody");
    }
    ~AsPlainUser()
    {
        if (wasRoot_ && seteuid(0) != 0)
            qFatal("cannot return to root");
    }
    AsPlainUser(const AsPlainUser&) = delete;
    AsPlainUser& operator=(const AsPlainUser&) = delete;

private:
    bool wasRoot_;
};
