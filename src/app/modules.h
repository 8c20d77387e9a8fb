#pragma once

#include <memory>
#include <vector>

class MainWindowModule;
struct Ports;
struct Session;

// The subsystems' modules that come after the main window. Each is held only to keep it alive; it was wired
// when it was built (its commands registered, its hooks filled). Destroyed in reverse order.
using ModuleList = std::vector<std::shared_ptr<void>>;

// Builds every further subsystem, in order. A new subsystem is one more line in modules.cpp and nothing
// else changes.
ModuleList buildFurtherModules(Session& session, const Ports& ports, MainWindowModule& main);
