#include "painter/IconPainter.h"

Picture IconPainter::icon() {
    Picture icon(16, 16);
    icon.stamp(0, 0,
               {
                   "1111111111111111",
                   "1cccc3cccc3cccc1",
                   "1ccccc3bb3ccccc1",
                   "1ccc3bbbbbb3ccc1",
                   "1cc3b71bb71b3cc1",
                   "1cc3bbbbbbbb3cc1",
                   "1ccc3b3bb3b3ccc1",
                   "1cccccceecccccc1",
                   "1cccccc77cccccc1",
                   "1cccccc55cccccc1",
                   "1ccccc5665ccccc1",
                   "1cccc568865cccc1",
                   "1ccc55666655ccc1",
                   "1bbbbbbbbbbbbbb1",
                   "1333333333333331",
                   "1111111111111111",
               });
    return icon;
}
