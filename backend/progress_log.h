// Which solve progress reports reach the log. A solve reports every
// iteration; the log keeps the run's first report, each report whose text
// says something new apart from its iteration count (a new stage, a new
// exploitability figure), one report at least every few seconds, and the
// last report. Warnings and errors are logged elsewhere and never filtered.
#pragma once

#include <QString>

#include <chrono>
#include <cstdint>

class ProgressLogFilter {
 public:
  using Clock = std::chrono::steady_clock;

  explicit ProgressLogFilter(Clock::duration interval = std::chrono::seconds(5)) : m_interval(interval) {}

  // True when the report of `run` with `text` is to be logged; `final` marks
  // the run's last report.
  bool admit(std::uint64_t run, const QString& text, bool final, Clock::time_point now = Clock::now());

 private:
  Clock::duration m_interval;
  std::uint64_t m_run = 0;
  bool m_started = false;
  QString m_lastNews;
  Clock::time_point m_lastLogged{};
};
