#pragma once

// What every entry that shows screens (the program, the gallery, the benchmark) sets before its
// application object exists: scaling for high-density screens and the font substitutes that
// the forms' families need. The program's look (look::install) follows once it exists.
namespace startup {

void beforeApplication();
// Once the application object exists: takes back what beforeApplication() set only for the
// toolkit's start-up, so that programs opened from here do not inherit it.
void afterApplication();

} // namespace startup
