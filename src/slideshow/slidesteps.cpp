#include "slideshow/slidesteps.h"

namespace slidesteps {

int position(Step step, int position, int count)
{
    switch (step) {
    case Step::Forward:
        return position == count ? 1 : position + 1;
    case Step::Back:
        return position > 1 ? position - 1 : count;
    case Step::JumpForward:
        return position + 20 >= count ? 1 : position + 20;
    case Step::JumpBack:
        return position - 20 < 1 ? count : position - 20;
    }
    return position;
}

int emblem(Step step, int number)
{
    switch (step) {
    case Step::Forward:
        if (number >= 104)
            return 53;
        return number == 82 ? 84 : number + 1;
    case Step::Back:
        if (number <= 53)
            return 103;
        return number == 84 ? 82 : number - 1;
    case Step::JumpForward:
        if (number > 97)
            return 53;
        return number == 78 ? 84 : number + 5;
    case Step::JumpBack:
        if (number <= 62)
            return 103;
        return number == 88 ? 82 : number - 5;
    }
    return number;
}

int emblemTick(int number)
{
    if (number > 102)
        return 53;
    return number == 82 ? 84 : number + 1;
}

long delayUp(long ms)
{
    if (ms >= 60000)
        return 1000;
    if (ms == 1000 || ms == 2000 || ms == 3000 || ms == 4000)
        return ms + 1000;
    return ms + 5000;
}

long delayDown(long ms)
{
    if (ms <= 1000)
        return 60000;
    if (ms == 5000 || ms == 4000 || ms == 3000 || ms == 2000)
        return ms - 1000;
    return ms - 5000;
}

} // namespace slidesteps
