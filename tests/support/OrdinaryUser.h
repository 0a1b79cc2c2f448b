// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Tests of what file permissions refuse cannot run as root, whom they refuse
// nothing, and CI runs as root. Such a test starts with
//
//     if (RunAsOrdinaryUser())
//         return;
//
// As root, RunAsOrdinaryUser() runs the current test case again in a new
// process of the test program that first drops to an unprivileged user
// (nobody), reports that run's failures as its own and returns true. As any
// other user it returns false, and the test runs in this process.
[[nodiscard]] bool RunAsOrdinaryUser();

// Called first by the shared main: drops to the user a RunAsOrdinaryUser()
// parent asked for. False when that failed (the process must not go on as
// root).
[[nodiscard]] bool DropToTheUserAskedFor();
