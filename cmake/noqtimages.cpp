// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Linked only against a static Qt, whose standard-icon images and browser
// faces the build leaves out (static-qt.cmake): Qt still registers them at
// start-up (QApplication, and with Qt 6.8 an object for each resource), and
// this stands in for those registrations with nothing to register, so the
// resources themselves are never pulled out of Qt's libraries. The names
// are the ones Qt's resource compiler gives.

#define KLIKOMAN_NO_RESOURCE(name)   \
    int qInitResources_##name();     \
    int qCleanupResources_##name();  \
    int qInitResources_##name() {    \
        return 1;                    \
    }                                \
    int qCleanupResources_##name() { \
        return 1;                    \
    }

KLIKOMAN_NO_RESOURCE(qstyle)
KLIKOMAN_NO_RESOURCE(qstyle1)
KLIKOMAN_NO_RESOURCE(wasmfonts)
