// The convenience store's daily sales of four products.
//
// Each product's data set is four series of pieces sold per day: the two
// weeks just before the blossom-viewing season and the season itself, over
// five years, each split into weekdays and holidays. A loader puts one
// product's data set into the series arrays:
//   H1(1..H1)  before the season, weekdays (47 days)
//   H2(1..H2)  viewing season, weekdays    (49 days)
//   H3(1..H3)  before the season, holidays (23 days)
//   H4(1..H4)  viewing season, holidays    (21 days)
// Every product has these counts, so a loader replaces whatever was loaded
// before. Index 0 and the elements past each count are left alone, and
// nothing else in the shared state changes.
#pragma once

#include "Tallyview/tallyview_state.h"

namespace tallyview {

// Snack confectionery; every series is stored in ascending order.
void LoadSnackSales(Program& p);

// Tea-type drinks, carbonated drinks and chocolate; each series is stored in
// the order of the days.
void LoadTeaSales(Program& p);
void LoadSodaSales(Program& p);
void LoadChocolateSales(Program& p);

}  // namespace tallyview
