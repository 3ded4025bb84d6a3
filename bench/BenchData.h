#pragma once
// The element database the benchmarks work on: the 2026 bulletin imported.
#include "orbit/KepsDatabase.h"

namespace tarvon {

KepsDatabase BulletinDatabase();

}  // namespace tarvon
