#pragma once

#include <stdexcept>

// A graph file that cannot be used; the message names the file and the fault.
class GraphFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
