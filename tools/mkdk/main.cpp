// mkdk: makes list files for tests, benchmarks and the bundled example.
#include "Description.h"
#include "DirectoryScan.h"
#include "Synthetic.h"
#include "list/ListContainer.h"
#include "list/ListPaths.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char* const Usage =
    "usage: mkdk [--encoding NAME] [--data] --text DESCRIPTION OUT\n"
    "       mkdk [--encoding NAME] [--data] --dir FOLDER OUT\n"
    "       mkdk [--encoding NAME] [--data] --synthetic N [--fanout F] [--depth D]\n"
    "            [--folders SHARE] [--seed S] OUT\n"
    "Writes a list file (.dk), or with --data the bare list data.\n";

int Fail(const std::string& message) {
    std::cerr << "mkdk: " << message << "\n";
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    std::string encoding = dk::DefaultEncoding;
    std::string mode, source, out;
    bool dataOnly = false;
    dk::mkdk::SyntheticShape shape;
    std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::string { return i + 1 < args.size() ? args[++i] : ""; };
        if (a == "--encoding")
            encoding = value();
        else if (a == "--data")
            dataOnly = true;
        else if (a == "--text" || a == "--dir" || a == "--synthetic")
            mode = a, source = value();
        else if (a == "--fanout")
            shape.fanout = static_cast<std::uint32_t>(std::stoul(value()));
        else if (a == "--depth")
            shape.depth = static_cast<std::uint32_t>(std::stoul(value()));
        else if (a == "--folders")
            shape.folderShare = std::stod(value());
        else if (a == "--seed")
            shape.seed = static_cast<std::uint32_t>(std::stoul(value()));
        else if (a == "--help" || a == "-h")
            return std::cout << Usage, 0;
        else if (out.empty() && a.rfind("--", 0) != 0)
            out = a;
        else
            return Fail("unexpected argument " + a + "\n" + Usage);
    }
    if (mode.empty() || source.empty() || out.empty())
        return Fail(std::string("missing arguments\n") + Usage);

    std::string error;
    const auto codec = dk::TextCodec::Create(encoding, &error);
    if (!codec)
        return Fail(error);

    std::vector<std::uint8_t> data;
    if (mode == "--synthetic") {
        shape.records = std::stoull(source);
        // Synthetic lists can be huge: stream them instead of building them.
        const std::string dataPath = dataOnly ? out : dk::TempFolder() + "mkdk-synthetic-" +
                                                          std::to_string(::getpid());
        dk::FileOutput file;
        if (!file.Create(dataPath))
            return Fail("cannot create " + dataPath);
        const bool written = dk::mkdk::WriteSynthetic(shape, *codec, file, &error);
        if (!file.Finish() || !written) {
            std::remove(dataPath.c_str());
            return Fail(error.empty() ? "cannot write " + dataPath : error);
        }
        if (dataOnly)
            return 0;
        const dk::ContainerError packed = dk::PackList(dataPath, out, &error);
        std::remove(dataPath.c_str());
        if (packed != dk::ContainerError::None)
            return Fail(std::string(dk::ContainerErrorText(packed)) + " " + error);
        return 0;
    }

    std::optional<dk::mkdk::ListBuilder> builder;
    if (mode == "--text") {
        std::ifstream in(source, std::ios::binary);
        if (!in)
            return Fail("cannot read " + source);
        std::stringstream text;
        text << in.rdbuf();
        builder = dk::mkdk::ParseDescription(text.str(), *codec, &error);
    } else {
        builder = dk::mkdk::ScanDirectory(source, *codec, &error);
    }
    if (!builder)
        return Fail(error);
    if (dataOnly) {
        data = builder->Data();
        std::ofstream file(out, std::ios::binary);
        file.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        return file ? 0 : Fail("cannot write " + out);
    }
    if (!builder->WriteListFile(out, &error))
        return Fail(error);
    return 0;
}
