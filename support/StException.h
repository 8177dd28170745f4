#pragma once

#include <exception>
#include <string>
#include <utility>

// Base of the machine's support errors: a message and the number of that message.
class EStException : public std::exception
{
public:
    EStException(int Code, std::string Message) : FCode(Code), FMessage(std::move(Message)) {}

    int Code() const noexcept { return FCode; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    int FCode;
    std::string FMessage;
};
