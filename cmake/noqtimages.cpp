// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Linked only against a static Qt, whose standard-icon images the build
// leaves out (static-qt.cmake): QApplication still registers them at
// start-up, and this stands in for that registration with nothing to
// register. The names are the ones Qt's resource compiler gives.

int qInitResources_qstyle();
int qCleanupResources_qstyle();

int qInitResources_qstyle() {
    return 1;
}

int qCleanupResources_qstyle() {
    return 1;
}
