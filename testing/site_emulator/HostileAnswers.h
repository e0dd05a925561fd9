#pragma once
// Answers of a hostile server: each one sets up a response that no real site
// gives, to show that a client survives it. Every endless answer ends when the
// client hangs up or `stopped` reports that the emulator stops.

#include <httplib.h>

#include <chrono>
#include <functional>
#include <string>

#include "Fault.h"

namespace gb::emulator {

// Waits up to the given time; true when the emulator stops meanwhile.
using StopWait = std::function<bool(std::chrono::milliseconds)>;

// Far more bytes than any page holds.
void AnswerHugePage(httplib::Response& response, StopWait stopped);

// One byte at a time, each well within any stall limit, for ever.
void AnswerDrip(httplib::Response& response, StopWait stopped);

// A gzip body of zeros that never ends: a few bytes on the wire expand to a
// megabyte each.
void AnswerCompressionBomb(httplib::Response& response, StopWait stopped);

// `page`, of `contentType`, after the fault's piece of markup, repeated:
// elements nested far deeper than any real page's, in whatever way the piece
// nests them.
void AnswerNestedDeep(httplib::Response& response, const std::string& page,
                      const Fault::Nesting& nesting, const char* contentType);

// A redirect to `target`, the address just asked for.
void AnswerRedirectLoop(httplib::Response& response, const std::string& target);

}  // namespace gb::emulator
