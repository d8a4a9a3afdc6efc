// StopRequest: how an engine that may run long (a stat table's import, a
// save read or written, a table written) learns that it should stop.  The
// engine is handed one and asks it between two of its rows; it then stops
// there, leaving what it works on as it was, and says so in what it
// returns.  The console's is Ctrl-C (Console::Stop); a test's may stop
// after a number of rows.
#pragma once

namespace korvelin {

class StopRequest {
 public:
  virtual ~StopRequest() = default;
  // Whether the engine should stop now.
  virtual bool Requested() = 0;
};

// A request that is never made: for an engine run where nothing can stop it.
class NeverStop final : public StopRequest {
 public:
  bool Requested() override { return false; }
};

}  // namespace korvelin
