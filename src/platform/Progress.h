#pragma once
// Where long operations report how far they are. A chart holds a pointer to one
// (none: nothing is reported); the progress window is one, the command-line
// tool's terminal bar another.

class TProgressSink {
public:
  virtual ~TProgressSink() = default;
  // percent: 0 to 100.
  virtual void Progress(int percent) = 0;
};

inline void SendProgress(TProgressSink* sink, int percent) {
  if (sink) sink->Progress(percent);
}
