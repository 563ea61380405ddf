#include "serial/SerialTypes.h"

namespace serial {

namespace {

struct TraceEvent {
    TTraceState state;
    std::uint32_t event;
};

// Trace states and the port events they ask for, besides character received and transmit empty.
constexpr TraceEvent kTraceEvents[] = {
    {tsRxFlag, kEvRxFlag}, {tsCTS, kEvCts},       {tsDSR, kEvDsr},   {tsRLSD, kEvRlsd},
    {tsBreak, kEvBreak},   {tsErr, kEvErr},       {tsRing, kEvRing}, {tsRx80Full, kEvRx80Full},
    {tsEvent1, kEvEvent1}, {tsEvent2, kEvEvent2},
};

}  // namespace

std::uint32_t ComposeEventMask(TTraceStates traceStates, bool softwareRs485) {
    std::uint32_t mask = kEvRxChar;
    if (traceStates.contains(tsTxEmpty) || softwareRs485) mask |= kEvTxEmpty;
    for (const TraceEvent& te : kTraceEvents) {
        if (traceStates.contains(te.state)) mask |= te.event;
    }
    return mask;
}

TTraceStates TraceStatesFromEvents(std::uint32_t eventMask) {
    TTraceStates states;
    for (const TraceEvent& te : kTraceEvents) {
        if (eventMask & te.event) states.insert(te.state);
    }
    return states;
}

}  // namespace serial
