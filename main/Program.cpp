// The sorvane program: started by the management platform for one switch, with the switch's
// address and SNMP credentials as switches ("/I10.90.90.90 /Rpublic /v1").
#include "main/Startup.h"
#include "ui/Application.h"

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    ui::Application application(argc, argv);
    const std::vector<std::string> parameters(argv + 1, argv + argc);
    return RunProgram(parameters);
}
