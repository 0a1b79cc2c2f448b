#pragma once

#include <QIcon>

// The program's icon in all its rendered sizes.
[[nodiscard]] QIcon brainloftIcon();
