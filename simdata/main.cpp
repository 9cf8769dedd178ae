// sorvane-simdata: writes the data file with which a simulated switch of one model serves every
// window of the feature menu (sorvane-sim --model M --data FILE).
#include "catalogue/Catalogue.h"
#include "simdata/MenuSimData.h"

#include <exception>
#include <iostream>
#include <string>

namespace {

const char* Usage = "usage: sorvane-simdata --model Ka|Kb|Kc|Kd [--out FILE]\n"
                    "  writes the data that a simulated switch of the model serves for the feature windows\n"
                    "  to FILE (default: standard output); start it with sorvane-sim --model M --data FILE\n";

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
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << Usage;
            return 0;
        }
        if ((arg == "--model" || arg == "--out") && i + 1 < argc) {
            (arg == "--model" ? model : out) = argv[++i];
            continue;
        }
        return Fail("unknown or incomplete option " + arg);
    }
    if (model.empty())
        return Fail("--model is required");
    try {
        InitCatalogue();
        const SimDataGenerator data = menusimdata::MenuSimData(model);
        if (out.empty())
            std::cout << data.Text();
        else
            data.WriteFile(out);
        FreeCatalogue();
    } catch (const std::exception& e) {
        std::cerr << "sorvane-simdata: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
