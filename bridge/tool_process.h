#pragma once
#include <cstdint>

namespace tillbridge {

// Starts the command line as one tool process (the first space-separated
// token is the program, the others its arguments) and polls it: the first
// look 1000 ms after the start, then once a second, at most pollCount looks.
// Returns false when the tool did not start, with the platform's error
// number in startError. Otherwise sets code to the tool's result code, or to
// TILLBRIDGE_TIMEOUT when it is still running after the last look (it is left
// running), and returns true. Not reentrant: the caller serialises calls.
bool run_tool(char* commandLine, std::int32_t pollCount, std::int32_t& code, std::int32_t& startError);

// The platform's error number for a command line that does not fit the
// buffer, and for a missing text argument.
std::int32_t line_too_long_error();
std::int32_t invalid_argument_error();

}  // namespace tillbridge
