// Small helpers the benchmarks share: summaries of a series of figures, and
// the rows they give to the closing table of the benchmark run.
#pragma once

#include <QString>

#include <algorithm>
#include <cstdio>
#include <vector>

/* values not empty */
inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

/* values not empty */
inline double minimum(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

/* values not empty */
inline double maximum(const std::vector<double>& values)
{
    return *std::max_element(values.begin(), values.end());
}

// A line that the benchmark script gathers into its closing table.
inline void tableRow(const QString& what, const QString& figure, const QString& target)
{
    std::printf("TABLE\t%s\t%s\t%s\n", qPrintable(what), qPrintable(figure), qPrintable(target));
    std::fflush(stdout);
}
