#pragma once
// Readers and replies of a SimSmartCard described as text, for the reader simulator and the tests.
// One instruction per line, blanks around it ignored; empty lines and lines starting with '#' too. Numbers are
// decimal or 0x-hexadecimal; codes are the service's results (0 = success).
//
//   context <code>               result of establishing a context
//   list-length <code>           result of the reader list's length query
//   list-read <code>             result of reading the reader list
//   raw-list <text>              the list handed out instead of the readers' names, with \0, \\ and \xNN
//   raw-length <n>               the length the query reports for raw-list
//   raw-read-length <n>          the length the read reports for raw-list
//   reader <name>                a reader, listed in this order; the lines below belong to it
//   connect direct|shared <code> result of its connects in that share mode
//   connect-next <code>...       results of its next connects, in order, whatever the share mode
//   reply <control> <hex bytes>  answer to a control code, e.g. reply 0x312004 00 00 00 00 02 03 05 10 00 00 00 00
//   reply-error <control> <code> the control code fails with code
//   reply-length <control> <n>   the length reported for the answer
//   reply-next <control> <hex bytes>    answers to the next requests, used up in order before the
//   reply-next-error <control> <code>   lasting answer above
#include <string>

#include "SimSmartCard.h"

namespace platform::sim {

// False with `error` naming the line when the text cannot be read; `into` may then be half filled.
bool loadSmartCardScenario(const std::string& text, SimSmartCard& into, std::string& error);

}  // namespace platform::sim
