# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Who makes Кордамир, which version, where it lives and under which licence:
# the one place the package metadata is written. CPack, the metainfo, the
# program's --version and its About window take it from here; debian/ cannot
# read CMake, so the test packaging_metadata holds debian/control,
# debian/changelog and debian/copyright to these values.
# Read before project(), which takes the version from here.
set(KORDAMIR_VERSION 1.0)
set(KORDAMIR_MAINTAINER_NAME "Kordamir developers")
set(KORDAMIR_CONTACT_EMAIL "kordamir@users.noreply.github.com")
set(KORDAMIR_MAINTAINER "${KORDAMIR_MAINTAINER_NAME} <${KORDAMIR_CONTACT_EMAIL}>")
set(KORDAMIR_HOMEPAGE "https://github.com/kordamir/kordamir")
set(KORDAMIR_BUGTRACKER "${KORDAMIR_HOMEPAGE}/issues")
# The metainfo's screenshots, as the repository of this version serves them
# from packaging/screenshots (tools/take-screenshots.sh takes them).
set(KORDAMIR_SCREENSHOTS
    "https://raw.githubusercontent.com/kordamir/kordamir/v${KORDAMIR_VERSION}/packaging/screenshots")
# The code and the build files are GPL; the topics and the pictures the
# generator draws are CC BY-SA, as befits works that are not programs.
set(KORDAMIR_LICENSE "GPL-3.0-or-later AND CC-BY-SA-4.0")
set(KORDAMIR_SUMMARY "word-guessing game with a drum and prize boxes")
