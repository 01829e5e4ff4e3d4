// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <cstdint>

namespace zp {

/// The date format that gives the two-digit year and the day of the year.
extern const QString kJulianDateFormat;

/// t moved by amount units (TZpDateUnit). Months keep the day, clamped to
/// the last day of a shorter month; years are twelve months; hours, minutes
/// and seconds move the wall-clock time. t is read as a wall-clock time, so
/// the result does not shift across daylight-saving changes.
[[nodiscard]] QDateTime AdjustDateTime(const QDateTime& t, int32_t amount, uint8_t unit);

/// t in the date format language: d dd ddd dddd, m mm mmm mmmm (minutes
/// for m and mm that follow an hour), yy yyyy, h hh, n nn, s ss, t (the
/// locale's short time), / and : (the locale's separators), text in single
/// or double quotes; letters in any case; everything else copied. The
/// format "Julian (YYDDD)" gives the two-digit year and the day of the year.
[[nodiscard]] QString FormatDateTime(const QString& format, const QDateTime& t,
                                     const QLocale& locale = QLocale());

} // namespace zp
