#include "utils/screensize.h"

#include "platform/screen.h"

bool IsScreenSize(const IScreen& screen, int width, int height)
{
    if (screen.widthTwips() != 15LL * width)
        return false;
    return screen.heightTwips() == 15LL * height;
}
