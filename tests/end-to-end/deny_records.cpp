// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded into the real program: the records file cannot be opened, as on
// a file of another user's or a folder the player may not write. The mode is
// read from the file named by KORDAMIR_DENY_RECORDS at every open, so a test
// can change it while the program runs:
//   read   an open of Cfg.ini for reading fails with EACCES
//   write  every open that would create or write Cfg.ini (or a new copy of it) fails with EACCES
//   (anything else: nothing is refused)
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

enum class Mode { None, Read, Write };

Mode currentMode()
{
    const char* control = std::getenv("KORDAMIR_DENY_RECORDS");
    if (!control)
        return Mode::None;
    using OpenFunction = int (*)(const char*, int, ...);
    static const auto realOpen = reinterpret_cast<OpenFunction>(dlsym(RTLD_NEXT, "open"));
    const int fd = realOpen(control, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Mode::None;
    char word[16] = {};
    const ssize_t got = ::read(fd, word, sizeof word - 1);
    ::close(fd);
    if (got >= 4 && std::strncmp(word, "read", 4) == 0)
        return Mode::Read;
    if (got >= 5 && std::strncmp(word, "write", 5) == 0)
        return Mode::Write;
    return Mode::None;
}

bool refused(const char* path, int flags)
{
    if (!path)
        return false;
    const char* name = std::strrchr(path, '/');
    name = name ? name + 1 : path;
    const bool writing = (flags & (O_WRONLY | O_RDWR | O_CREAT)) != 0;
    // The file, or the game's new copy of it (".Cfg.ini.kordamir-…").
    const bool records = std::strncmp(name, "Cfg.ini", 7) == 0 || std::strncmp(name, ".Cfg.ini", 8) == 0;
    // An anonymous copy is opened on the folder itself.
    const bool anonymousCopy = (flags & O_TMPFILE) == O_TMPFILE;
    if (!records && !anonymousCopy)
        return false;
    switch (currentMode()) {
    case Mode::Read:
        return records && !writing && std::strcmp(name, "Cfg.ini") == 0;
    case Mode::Write:
        return writing || anonymousCopy;
    case Mode::None:
        break;
    }
    return false;
}

template <typename Function>
Function next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

#define KORDAMIR_REFUSING_OPEN(name)                                                                         \
    extern "C" int name(const char* path, int flags, ...)                                                    \
    {                                                                                                        \
        mode_t mode = 0;                                                                                     \
        if (flags & (O_CREAT | O_TMPFILE)) {                                                                 \
            va_list arguments;                                                                               \
            va_start(arguments, flags);                                                                      \
            mode = va_arg(arguments, mode_t);                                                                \
            va_end(arguments);                                                                               \
        }                                                                                                    \
        if (refused(path, flags)) {                                                                          \
            errno = EACCES;                                                                                  \
            return -1;                                                                                       \
        }                                                                                                    \
        static const auto real = next<int (*)(const char*, int, ...)>(#name);                                \
        return real(path, flags, mode);                                                                      \
    }

#define KORDAMIR_REFUSING_OPENAT(name)                                                                       \
    extern "C" int name(int dir, const char* path, int flags, ...)                                           \
    {                                                                                                        \
        mode_t mode = 0;                                                                                     \
        if (flags & (O_CREAT | O_TMPFILE)) {                                                                 \
            va_list arguments;                                                                               \
            va_start(arguments, flags);                                                                      \
            mode = va_arg(arguments, mode_t);                                                                \
            va_end(arguments);                                                                               \
        }                                                                                                    \
        if (refused(path, flags)) {                                                                          \
            errno = EACCES;                                                                                  \
            return -1;                                                                                       \
        }                                                                                                    \
        static const auto real = next<int (*)(int, const char*, int, ...)>(#name);                           \
        return real(dir, path, flags, mode);                                                                 \
    }

// The game's new copy is made by mkostemp, whose own open glibc makes
// inside itself, out of a preloaded library's reach.
extern "C" int mkostemp(char* pattern, int flags)
{
    if (refused(pattern, O_CREAT | O_WRONLY)) {
        errno = EACCES;
        return -1;
    }
    static const auto real = next<int (*)(char*, int)>("mkostemp");
    return real(pattern, flags);
}

KORDAMIR_REFUSING_OPEN(open)
KORDAMIR_REFUSING_OPEN(open64)
KORDAMIR_REFUSING_OPENAT(openat)
KORDAMIR_REFUSING_OPENAT(openat64)
