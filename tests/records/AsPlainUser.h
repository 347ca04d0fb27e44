// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <unistd.h>

// Acts as the user "nobody" until destroyed when the tests run as root:
// root reads any file whatever its permission bits. The real user changes
// too, since access() (behind QFileInfo::isWritable) asks for the real
// user's rights; root stays the saved user, to come back to.
class AsPlainUser {
public:
    static constexpr uid_t nobody = 65534;

    AsPlainUser() : wasRoot_(geteuid() == 0)
    {
        if (wasRoot_ && setresuid(nobody, nobody, 0) != 0)
            qFatal("cannot act as nobody");
    }
    ~AsPlainUser()
    {
        if (wasRoot_ && setresuid(0, 0, 0) != 0)
            qFatal("cannot return to root");
    }
    AsPlainUser(const AsPlainUser&) = delete;
    AsPlainUser& operator=(const AsPlainUser&) = delete;

private:
    bool wasRoot_;
};
