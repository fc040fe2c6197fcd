// SPDX-License-Identifier: MIT
#include "backends/web/main_window.h"

// The window lives as long as the page; the runtime stays up after main returns.
int main()
{
    backends::web::openWindow();
    return 0;
}
