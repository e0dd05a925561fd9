// gbtool COMMAND ARGS...
// Developer commands around the item database.
//   make-data DIR   writes the data files the installer ships into DIR
//   install-settings DIR   writes the settings Setup writes for programs in DIR, where missing
//   dump-profile FILE   prints a profile's header, sellers, folders and items
//   make-profile --items N FILE   writes a profile of N typical items
//   open-profile FILE [--save OUT]   opens a profile, prints its item count, saves it
//   parse-page SITE LISTING ...   prints the rows a site object makes of a saved page
//   update PROFILE   brings a profile up to date from the auction sites
//   export PROFILE FOLDER_ID TYPE OUT [--columns SET] [--locale ID]   exports a folder's items
//   render PROFILE FOLDER_ID TEMPLATE ...   prints the report page of a folder's items
//   mailto PROFILE FOLDER_ID TEMPLATE ...   prints the address Mail To would open for them
// gbtool reads and writes amounts in US English, whatever the user's locale,
// except export, render and mailto, which use the user's default locale as the
// program does.

#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "DumpProfileCommand.h"
#include "ExportCommand.h"
#include "ParsePageCommand.h"
#include "ProfileFileCommands.h"
#include "RenderCommand.h"
#include "ShippedFiles.h"
#include "UpdateCommand.h"
#include "platform/FileIo.h"
#include "platform/Locale.h"
#include "setup/core/ProgramDefaults.h"

namespace {

int MakeData(std::span<char* const> args) {
    if (args.size() != 1) {
        return 2;
    }
    const std::filesystem::path folder = args[0];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "gbtool: cannot create \"%s\": %s\n", folder.c_str(),
                     error.message().c_str());
        return 1;
    }
    for (const ShippedFile& file : ShippedFiles()) {
        const std::filesystem::path path = folder / file.name;
        try {
            file.write(path);
        } catch (const gb::FileError& failure) {
            std::fprintf(stderr, "gbtool: %s\n", failure.what());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}

// The user's and machine's settings an installation into `folder` writes,
// those already there kept: the developers' program folder starts as an
// installed one does.
int InstallSettings(std::span<char* const> args) {
    if (args.size() != 1) {
        return 2;
    }
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute(args[0], error);
    if (error || !gb::setup::WriteMissingDefaults(folder)) {
        std::fprintf(stderr, "gbtool: cannot write the settings for \"%s\"\n", args[0]);
        return 1;
    }
    return 0;
}

struct Command {
    std::string_view name;
    std::string_view arguments;
    // Runs the command on its arguments: 0 done, 1 failed, 2 wrong arguments.
    int (*run)(std::span<char* const> args);
};

constexpr Command kCommands[] = {
    {"make-data", "DIR", &MakeData},
    {"install-settings", "DIR", &InstallSettings},
    {"dump-profile", "FILE", &DumpProfile},
    {"make-profile", "--items N FILE", &MakeProfile},
    {"open-profile", "FILE [--save OUT]", &OpenProfile},
    {"parse-page",
     "SITE LISTING [--user ID] [--password PW] [--days N] [--request N] [--buyer ITEM=FILE]...",
     &ParsePage},
    {"update", "PROFILE", &UpdateProfile},
    {"export", "PROFILE FOLDER_ID TYPE OUT [--columns SET] [--locale ID]", &ExportFolder},
    {"render", "PROFILE FOLDER_ID TEMPLATE_NAME [--library FILE] [--fees FILE] [--locale ID]",
     &RenderFolder},
    {"mailto", "PROFILE FOLDER_ID TEMPLATE_NAME [--library FILE] [--fees FILE] [--locale ID]",
     &MailToFolder},
};

int Usage() {
    std::fprintf(stderr, "usage:\n");
    for (const Command& command : kCommands) {
        std::fprintf(stderr, "  gbtool %.*s %.*s\n", static_cast<int>(command.name.size()),
                     command.name.data(), static_cast<int>(command.arguments.size()),
                     command.arguments.data());
    }
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    gb::SetUserDefaultLocale(gb::kLocaleEnglishUS);
    const std::span<char* const> args(argv + 2, static_cast<std::size_t>(argc - 2));
    for (const Command& command : kCommands) {
        if (command.name == argv[1]) {
            const int result = command.run(args);
            return result == 2 ? Usage() : result;
        }
    }
    return Usage();
}
