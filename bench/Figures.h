// SPDX-FileCopyrightText: 2026 Кордамир developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

// The suite's table: one row per figure, its samples summarised by the median
// (timings on a shared machine are noisy; the median is what we hold against
// a target), the range, the number of runs, and the target when it has one.
struct Figure {
    std::string name;
    std::string unit;
    std::vector<double> samples;
    std::string target = {};
    std::function<bool(double)> meets = {}; // judged on the median
    std::string note = {};
};

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

inline std::function<bool(double)> atMost(double limit)
{
    return [limit](double value) { return value <= limit; };
}

class Report {
public:
    void add(Figure figure) { figures_.push_back(std::move(figure)); }

    std::string table() const
    {
        std::ostringstream out;
        out << "| figure | median | min–max | runs | target | result |\n";
        out << "|---|---:|---:|---:|---|---|\n";
        for (const Figure& figure : figures_) {
            out << "| " << figure.name << " | ";
            if (figure.samples.empty()) {
                out << "– | – | 0 | " << figure.target << " | "
                    << (figure.note.empty() ? "not measured" : figure.note) << " |\n";
                continue;
            }
            const auto [low, high] = std::minmax_element(figure.samples.begin(), figure.samples.end());
            out << number(median(figure.samples)) << ' ' << figure.unit << " | " << number(*low) << "–"
                << number(*high) << " | " << figure.samples.size() << " | " << figure.target << " | ";
            if (figure.meets)
                out << (figure.meets(median(figure.samples)) ? "pass" : "**FAIL**");
            if (!figure.note.empty())
                out << (figure.meets ? " " : "") << figure.note;
            out << " |\n";
        }
        return out.str();
    }

private:
    static std::string number(double value)
    {
        char text[32];
        const double magnitude = value < 0 ? -value : value;
        std::snprintf(text, sizeof text,
                      magnitude >= 100  ? "%.0f"
                      : magnitude >= 10 ? "%.1f"
                                        : "%.2f",
                      value);
        return text;
    }

    std::vector<Figure> figures_;
};

// The figures measured on the core library itself, in-process: the records
// file read and rewritten, and Windows-1251 conversion of a long name.
void coreFigures(Report& report, bool quick, const std::string& work);
