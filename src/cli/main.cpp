// dklist: the list viewer's core on the command line, for scripts and for
// checking from outside what the window would show or write.
#include "cli/Commands.h"

#include <iostream>
#include <map>

namespace {

const char* const Usage = "usage: dklist [--encoding NAME] COMMAND ARGS...\n"
                          "commands:\n"
                          "  info LIST            header, root and counts of the list\n"
                          "  save LIST            open the list and save it back in place\n"
                          "  ls LIST [FOLDER]     the rows of a folder listing\n"
                          "  find LIST MASK       the rows of the result view of a search\n"
                          "  mark LIST needed|notneeded|clear PATH...\n"
                          "                       mark entries as the toolbar does, then save\n"
                          "  comment LIST PATH TEXT\n"
                          "                       comment an entry as the dialog does, then save\n"
                          "  export LIST OUT      write the text export of the list\n"
                          "Texts print as UTF-8, decoded from Windows-1251 unless --encoding\n"
                          "names another code page.\n";

} // namespace

int main(int argc, char** argv) {
    using namespace dk::cli;
    static const std::map<std::string, int (*)(CliSession&, const Arguments&)> commands = {
        {"info", RunInfo}, {"save", RunSave},       {"ls", RunLs},         {"find", RunFind},
        {"mark", RunMark}, {"comment", RunComment}, {"export", RunExport},
    };

    CliSession session;
    session.Out = &std::cout;
    session.Err = &std::cerr;
    dk::currentLanguage = "eng";
    dk::BuildInterfaceTexts(session.Texts);

    Arguments args(argv + 1, argv + argc);
    std::string encoding = dk::DefaultEncoding;
    while (!args.empty() && args.front().rfind("--", 0) == 0) {
        if (args.front() == "--encoding" && args.size() > 1) {
            encoding = args[1];
            args.erase(args.begin(), args.begin() + 2);
        } else if (args.front() == "--help") {
            std::cout << Usage;
            return 0;
        } else {
            std::cerr << Usage;
            return 2;
        }
    }
    std::string error;
    session.State.Codec = dk::TextCodec::Create(encoding, &error);
    if (!session.State.Codec)
        return session.Fail(error);
    if (args.empty() || !commands.count(args.front())) {
        std::cerr << Usage;
        return 2;
    }
    const auto command = commands.at(args.front());
    args.erase(args.begin());
    return command(session, args);
}
