#pragma once

// How the slide cursor and the emblem slide number move: the step table, the ticks' wrap rules and the delay
// spinner's cycle. Pure arithmetic.
namespace slidesteps {

enum class Step { Forward, Back, JumpForward, JumpBack };

// PhotoPosition after a step over a list of count slides (1-based; wraps at both ends).
int position(Step step, int position, int count);
// The emblem slide number after a step; never 83.
int emblem(Step step, int number);
// The emblem tick: 53..82, 84..103, then 53 again.
int emblemTick(int number);

// The delay spinner: 1000..5000 by thousands, then by 5000 up to 60000, wrapping both ways.
long delayUp(long ms);
long delayDown(long ms);

} // namespace slidesteps
