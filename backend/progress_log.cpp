#include "backend/progress_log.h"

namespace {

// The text without a leading "Iter <n>" count: what the report says beyond
// how far the solve has come.
QString newsOf(const QString& text) {
  static const QString kIter = QStringLiteral("Iter ");
  if (!text.startsWith(kIter)) return text;
  qsizetype i = kIter.size();
  while (i < text.size() && text.at(i).isDigit()) ++i;
  return text.mid(i);
}

}  // namespace

bool ProgressLogFilter::admit(std::uint64_t run, const QString& text, bool final, Clock::time_point now) {
  QString news = newsOf(text);
  const bool admitted = final || !m_started || run != m_run || news != m_lastNews || now - m_lastLogged >= m_interval;
  if (!admitted) return false;
  m_started = true;
  m_run = run;
  m_lastNews = std::move(news);
  m_lastLogged = now;
  return true;
}
