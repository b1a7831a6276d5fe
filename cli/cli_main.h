// The whole of almanix-cli as one call: parses a command line, runs the command and writes
// what the program prints, without ending the process. Callable again and again in one
// process (the fuzz target does): it keeps no state between calls.
#pragma once

#include <QStringList>

#include <iosfwd>

namespace almanix::cli {

// Arguments as QCoreApplication::arguments() gives them: the program first, then the command
// word, its arguments and options. Writes the command's output (UTF-8) to Out, and warnings
// and the one-line error message to Err. Returns the exit status: 0 done; 1 an invalid
// argument or a date the calculation rejects (nothing on Out); 2 a usage error.
// The help texts name the program as QCoreApplication::arguments() does, so a
// QCoreApplication should exist.
int RunCli(const QStringList& Arguments, std::ostream& Out, std::ostream& Err);

}  // namespace almanix::cli
