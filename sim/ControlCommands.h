#pragma once
// The commands of the control channel:
//   ping                        -> "pong"
//   delay <ms>                  every answer waits <ms> milliseconds (0 ends it)
//   drop <n>                    the next <n> requests get no answer
//   error <oid-prefix> <status> bindings under the prefix answer the error-status (a name such
//                               as genErr or a number); status "off" removes the rule
//   silence on|off              stop answering entirely, or answer again
//   reset                       clears every fault
//   data <data-file line>       applies one line of the data-file format to the running agent
//   stats                       "get=N getnext=N getbulk=N set=N" requests received so far
//   journal                     the SET PDUs received so far, one line each (sim/SetJournal.h)
//   journal clear               empties the journal
// Each answers "ok" or a line starting with "error: " (ping, stats and journal answer their text).

#include "DataModel.h"
#include "Faults.h"
#include "SetJournal.h"

#include <string>

namespace sim {

std::string RunControlCommand(const std::string& line, Faults& faults, DataModel& model,
                              const RequestCounts& counts, SetJournal& journal);

} // namespace sim
