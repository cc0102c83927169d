#pragma once

#include <QApplication>

namespace ordavex {

// Installs a window as a filter of the whole application for as long as this object lives, so
// that the window sees the keys of every control it holds, buttons made at run time included,
// before they do.
class ApplicationKeyFilter {
public:
    explicit ApplicationKeyFilter(QObject* filter) : filter_(filter) { qApp->installEventFilter(filter_); }
    ~ApplicationKeyFilter() { qApp->removeEventFilter(filter_); }
    ApplicationKeyFilter(const ApplicationKeyFilter&) = delete;
    ApplicationKeyFilter& operator=(const ApplicationKeyFilter&) = delete;

private:
    QObject* filter_;
};

}  // namespace ordavex
