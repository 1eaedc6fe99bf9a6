#pragma once

// Qt Charts for the explorer's graphs. Qt 5 keeps the chart classes in the QtCharts namespace,
// Qt 6 in the global one; this brings them into scope the same way on both.
#include <QtCharts/QAreaSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
using namespace QtCharts;
#endif
