// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/sim_options.h"

#include <charconv>

namespace {

struct FaultSpelling {
    SimFault fault;
    const char* name;
    bool takesFrame;
    // The lowest frame number: 0 strikes right after the read or write
    // request, before any data frame; a fault that changes a data frame
    // needs one to change.
    int firstFrame;
};

constexpr FaultSpelling kFaults[] = {
    {SimFault::NoEcho, "no-echo", false, 0},
    {SimFault::NoAnswer, "no-answer", false, 0},
    {SimFault::WrongModel, "wrong-model", false, 0},
    {SimFault::IllegalSub, "illegal-sub", false, 0},
    {SimFault::OtherVersion, "other-version", false, 0},
    {SimFault::BadChecksum, "bad-checksum", true, 1},
    {SimFault::DropFrame, "drop-frame", true, 1},
    {SimFault::WriteFailed, "write-failed", false, 0},
    {SimFault::Stall, "stall", true, 0},
    {SimFault::Hangup, "hangup", true, 0},
    {SimFault::CorruptStore, "corrupt-store", false, 0},
};

// The receiver's addresses are hexadecimal everywhere: 1 to 4 digits, an
// optional "0x" before them.
bool ParseAddress(std::string text, std::int32_t& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.erase(0, 2);
    if (text.empty() || text.size() > 4 || !IsHexText(text)) return false;
    const auto v = static_cast<std::int32_t>(HexPrefixValue(text));
    if (v >= clsCmcEeprom::kReceiverSize) return false;
    value = v;
    return true;
}

bool ParseInt(const std::string& text, int lower, int upper, int& value) {
    int v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || ptr != end || text.empty() || v < lower || v > upper) return false;
    value = v;
    return true;
}

}  // namespace

const char* FaultName(SimFault fault) {
    for (const auto& f : kFaults)
        if (f.fault == fault) return f.name;
    return "none";
}

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& out, std::string& error) {
    std::size_t i = 0;
    // The value of an option: "--name=value" or "--name value".
    std::string name, value;
    bool hasInlineValue = false;
    const auto takeValue = [&](std::string& v) {
        if (hasInlineValue) {
            v = value;
            return true;
        }
        if (i + 1 >= args.size()) {
            error = name + " needs a value";
            return false;
        }
        v = args[++i];
        return true;
    };
    const auto takeInt = [&](int lower, int upper, int& v) {
        std::string text;
        if (!takeValue(text)) return false;
        if (!ParseInt(text, lower, upper, v)) {
            error = name + ": " + text + " is not a number from " + std::to_string(lower) + " to " +
                    std::to_string(upper);
            return false;
        }
        return true;
    };
    const auto takeBool = [&](bool& v) {
        int n = 0;
        if (!takeInt(0, 1, n)) return false;
        v = n != 0;
        return true;
    };
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto eq = arg.find('=');
        hasInlineValue = arg.rfind("--", 0) == 0 && eq != std::string::npos;
        name = hasInlineValue ? arg.substr(0, eq) : arg;
        value = hasInlineValue ? arg.substr(eq + 1) : std::string();
        bool ok = true;
        if (name == "-h" || name == "--help") {
            out.help = true;
        } else if (name == "-v" || name == "--verbose") {
            out.verbose = true;
        } else if (name == "-q" || name == "--quiet") {
            out.quiet = true;
        } else if (name == "--ver") {
            ok = takeInt(0, 12, out.setup.version);
        } else if (name == "--am") {
            ok = takeBool(out.setup.amOk);
        } else if (name == "--celler") {
            ok = takeBool(out.setup.cellerNg);
        } else if (name == "--fmtv") {
            ok = takeBool(out.setup.fmTvOk);
        } else if (name == "--exp") {
            ok = takeBool(out.setup.expOn);
        } else if (name == "--tvow") {
            ok = takeInt(0, 3, out.setup.tvOwNo);
        } else if (name == "--block") {
            ok = takeInt(1, 112, out.setup.readBlockSize);
        } else if (name == "--baud") {
            ok = takeInt(0, 1'000'000, out.baud);
        } else if (name == "--image") {
            ok = takeValue(out.imageFile);
        } else if (name == "--save") {
            ok = takeValue(out.saveFile);
        } else if (name == "--link") {
            ok = takeValue(out.link);
        } else if (name == "--fault") {
            std::string faultText;
            ok = takeValue(faultText);
            if (!ok) return false;
            std::string frameText;
            const auto colon = faultText.find(':');
            if (colon != std::string::npos) {
                frameText = faultText.substr(colon + 1);
                faultText = faultText.substr(0, colon);
            }
            const FaultSpelling* found = nullptr;
            for (const auto& f : kFaults)
                if (faultText == f.name) found = &f;
            if (!found) {
                error = "unknown fault " + faultText + " (see --help)";
                return false;
            }
            out.setup.fault = found->fault;
            const bool byAddress = found->fault == SimFault::CorruptStore;
            if ((byAddress || found->takesFrame) && colon == std::string::npos) {
                // "--fault stall 5" as well as "--fault stall:5"
                if (i + 1 >= args.size()) {
                    error = std::string(found->name) +
                            (byAddress ? " needs an address" : " needs a frame number");
                    return false;
                }
                frameText = args[++i];
            }
            if (byAddress) {
                if (!ParseAddress(frameText, out.setup.faultAddress)) {
                    error = std::string(found->name) + ": bad address " + frameText +
                            " (hexadecimal, 0 to 1F7F)";
                    return false;
                }
            } else if (found->takesFrame) {
                if (!ParseInt(frameText, found->firstFrame, 65535, out.setup.faultFrame)) {
                    error = std::string(found->name) + ": bad frame number " + frameText + " (" +
                            std::to_string(found->firstFrame) + " to 65535)";
                    return false;
                }
            } else if (colon != std::string::npos) {
                error = std::string(found->name) + " takes no frame number";
                return false;
            }
        } else {
            error = "unknown argument " + arg + " (see --help)";
            return false;
        }
        if (!ok) return false;
    }
    return true;
}

std::string SimUsage() {
    return R"(Usage: csq5-sim [options]
Simulates an RX-Q5 receiver and its cloning cable on a pseudo-terminal.
Prints the path of the terminal's slave side (one line) on stdout; open it
at 9600,N,8,1 as the serial port. The cable echoes every byte it hears.

Receiver identity (the identification answer):
  --ver N           version 0..11 (default 0); 12 is sent as is (illegal)
  --am 0|1          AM allowed (default 1); 0 sets capability bit 3
  --celler 0|1      cellular band blocked, capability bit 5 (default 0)
  --fmtv 0|1        FM TV, capability bit 6 (default 0)
  --exp 0|1         expanded, option bit 0 (default 0)
  --tvow N          TV sound standard 0..3, option bits 1-2 (default 0)
Image:
  --image FILE.acf  start from this data file instead of the factory image
                    of the version (it must hold all 8064 bytes and the
                    format tag)
  --save FILE.acf   save the image after every successful clone write
  --block N         data bytes per frame of a clone read, 1..112 (default 32)
Line:
  --link PATH       also make the symlink PATH to the slave (removed on exit)
  --baud N          send at the pace of an N bit/s line, 10 bits a byte
                    (echo included); default: unpaced
Faults (one per run; K counts data frames from 1, in a read the frames
the receiver sends, in a write the frames it receives; for stall and
hangup, 0 = right after the read or write request):
  --fault no-echo          cable absent: nothing comes back at all
  --fault no-answer        receiver off: echo, but no answer
  --fault wrong-model      identification with model code 2305
  --fault illegal-sub      identification with sub code 0002
  --fault other-version    identification with version (N+1) mod 12
  --fault bad-checksum:K   data frame K of a read has a wrong checksum
  --fault drop-frame:K     data frame K of a read is left out
  --fault write-failed     clone write answered with result 0x01
  --fault stall:K          receiver freezes after data frame K (the cable
                           still echoes; the program stays open)
  --fault hangup:K         pty closed after data frame K, program exits
  --fault corrupt-store:A  a clone write stores the byte at address A
                           (hexadecimal, 0 to 1F7F) with its lowest bit
                           inverted; the write still reports success
  ("--fault NAME K" and "--fault corrupt-store A" work too.)
Other:
  -v, --verbose     log every frame on stderr
  -q, --quiet       log nothing
  -h, --help        this text
Ends on SIGINT or SIGTERM.
)";
}
