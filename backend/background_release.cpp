#include "backend/background_release.h"

#include <exception>
#include <system_error>

BackgroundRelease::~BackgroundRelease() {
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stop = true;
  }
  m_wake.notify_all();
  if (m_thread.joinable()) m_thread.join();
  // Whatever is left (the thread never started) goes here.
  m_jobs.clear();
}

void BackgroundRelease::post(std::function<void()> job) {
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_thread.joinable() && !m_stop) {
      try {
        m_thread = velmora_app::Thread([this] { run(); });
      } catch (const std::system_error&) {
        // No thread: the data goes on this one, below.
      }
    }
    if (m_thread.joinable() && !m_stop) {
      m_jobs.push_back(std::move(job));
      job = nullptr;
    }
  }
  if (job) {
    job();
    return;
  }
  m_wake.notify_one();
}

void BackgroundRelease::drain() {
  std::unique_lock<std::mutex> lock(m_mutex);
  m_idle.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
}

void BackgroundRelease::run() {
  std::unique_lock<std::mutex> lock(m_mutex);
  while (true) {
    m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
    if (m_jobs.empty()) break;  // stopping with nothing left
    std::function<void()> job = std::move(m_jobs.front());
    m_jobs.pop_front();
    m_busy = true;
    lock.unlock();
    try {
      job();
      job = nullptr;  // the data goes with the job
    } catch (...) {
      // A destructor that throws leaves nothing to recover.
    }
    lock.lock();
    m_busy = false;
    if (m_jobs.empty()) m_idle.notify_all();
  }
  m_idle.notify_all();
}
