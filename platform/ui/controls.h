// Every control kind of the toolkit, for code that uses several.
#pragma once
#include "platform/ui/control.h"           // IWYU pragma: export
#include "platform/ui/graphic_controls.h"  // IWYU pragma: export
#include "platform/ui/std_controls.h"      // IWYU pragma: export
#include "platform/ui/win_control.h"       // IWYU pragma: export
