// The wiring's own costs: building the whole menu bar from the tables, and running a menu command through
// the command registry (what every menu click pays before its handler).
#include <QMenuBar>

#include <benchmark/benchmark.h>

#include "mainwin/ui/mainmenu.h"
#include "session/commands.h"

namespace {

void BM_BuildMainMenu(benchmark::State& state)
{
    Commands commands;
    for (auto _ : state) {
        QMenuBar bar;
        MainMenu menu(bar, commands);
        benchmark::DoNotOptimize(menu.items().size());
    }
}
BENCHMARK(BM_BuildMainMenu)->Unit(benchmark::kMillisecond);

void BM_RunCommand(benchmark::State& state)
{
    Commands commands;
    int ran = 0;
    for (int c = int(Command::CopyPhotos); c <= int(Command::SysInfo); ++c)
        commands.add(Command(c), [&ran](int index) { ran += index; });
    for (auto _ : state)
        benchmark::DoNotOptimize(commands.run(Command::LibraryDocument, 7));
    benchmark::DoNotOptimize(ran);
}
BENCHMARK(BM_RunCommand);

} // namespace
