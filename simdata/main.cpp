// sorvane-simdata: writes the data file with which a simulated switch of one model serves every
// generated window of the feature menu (sorvane-sim --model M --data FILE), or with --demo every
// window of the menu, as the build writes it for sorvane-sim --demo, or with --garbled the same
// generated data served with the wrong types and short values.
#include "catalogue/Catalogue.h"
#include "simdata/GarbledData.h"
#include "simdata/MenuSimData.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

const char* Usage = "usage: sorvane-simdata --model Ka|Kb|Kc|Kd [--demo | --garbled] [--out FILE]\n"
                    "  writes the data that a simulated switch of the model serves for the generated feature\n"
                    "  windows to FILE (default: standard output); start it with sorvane-sim --model M --data FILE\n"
                    "  --demo  the data of every window of the menu instead: the generated windows' and the\n"
                    "          hand-made windows' tables, with moving port counters (what sorvane-sim --demo loads)\n"
                    "  --garbled  the generated windows' data answered wrongly: values of other types than their\n"
                    "          columns', octet strings too short for their syntax, index OIDs cut short or overrun\n";

int Fail(const std::string& message)
{
    std::cerr << "sorvane-simdata: " << message << "\n" << Usage;
    return 64;
}

} // namespace

int main(int argc, char** argv)
{
    std::string model;
    std::string out;
    bool demo = false;
    bool garbled = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << Usage;
            return 0;
        }
        if (arg == "--demo" || arg == "--garbled") {
            (arg == "--demo" ? demo : garbled) = true;
            continue;
        }
        if ((arg == "--model" || arg == "--out") && i + 1 < argc) {
            (arg == "--model" ? model : out) = argv[++i];
            continue;
        }
        return Fail("unknown or incomplete option " + arg);
    }
    if (model.empty())
        return Fail("--model is required");
    if (demo && garbled)
        return Fail("--demo and --garbled exclude each other");
    try {
        InitCatalogue();
        const std::string text = demo      ? menusimdata::DemoSimData(model)
                                 : garbled ? GarbledText(menusimdata::MenuSimData(model))
                                           : menusimdata::MenuSimData(model).Text();
        if (out.empty()) {
            std::cout << text;
        } else {
            // Written whole or not at all: the build takes a file that exists for a finished one.
            const std::string part = out + ".part";
            std::ofstream file(part);
            file << text;
            if (!file.flush())
                throw std::runtime_error("cannot write " + part);
            file.close();
            std::filesystem::rename(part, out);
        }
        FreeCatalogue();
    } catch (const std::exception& e) {
        std::cerr << "sorvane-simdata: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
