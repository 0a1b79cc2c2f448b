// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

// The program's icon in all its rendered sizes.
[[nodiscard]] QIcon brainloftIcon();
