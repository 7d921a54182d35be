#pragma once

#include <QStringList>
#include <string>

// Qt name filters from the toolkit's filter text "Description|pattern|Description|pattern||".
// Patterns separated by ';' become Qt's blank-separated list; a description that already ends in
// its own pattern list is kept as it is.
QStringList QtNameFilters(const std::string& filter);
