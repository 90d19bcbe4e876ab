#include "host/zuhost/CommandTable.h"

#include "host/list/ListCommand.h"
#include "host/panel/GalleryCommand.h"
#include "host/panel/RenderCommand.h"
#include "host/panel/SessionCommand.h"
#include "host/play/PlayCommand.h"
#include "host/process/ProcessCommand.h"
#include "host/validate/ValidateCommand.h"

namespace zuhost {

std::vector<std::unique_ptr<Command>> zuhostCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<ListCommand>());
    commands.push_back(std::make_unique<ProcessCommand>());
    commands.push_back(std::make_unique<ValidateCommand>());
    commands.push_back(std::make_unique<RenderCommand>());
    commands.push_back(std::make_unique<GalleryCommand>());
    commands.push_back(std::make_unique<SessionCommand>());
    commands.push_back(std::make_unique<play::PlayCommand>());
    return commands;
}

}  // namespace zuhost
