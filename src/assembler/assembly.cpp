#include "assembler/assembly.h"

#include "assembler/location_value.h"

namespace qv {

void Assembly::reset() {
  messages.clear();
  collisions.clear();
  symbolTable.clear();
  emitted.clear();
  labelAddresses.clear();
  harvestedPlays.clear();
  placedStatements.clear();
  unevaluatedDefinitions.clear();
  setLocationValue(0);
  currentAddress = 0;
  schemeBase = 0;
}

}  // namespace qv
