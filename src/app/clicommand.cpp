#include "app/clicommand.h"

#include <vector>

namespace {
std::vector<const CliCommand*>& registry()
{
    static std::vector<const CliCommand*> commands;
    return commands;
}
}  // namespace

CliCommand::CliCommand(QString flag_, QString usage_, Run run_)
    : flag(std::move(flag_)), usage(std::move(usage_)), run(std::move(run_))
{
    registry().push_back(this);
}

const CliCommand* CliCommand::find(const QString& flag)
{
    for (const CliCommand* c : registry())
        if (c->flag == flag)
            return c;
    return nullptr;
}

QStringList CliCommand::usages()
{
    QStringList out;
    for (const CliCommand* c : registry())
        out << c->usage;
    return out;
}
