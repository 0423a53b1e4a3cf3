#include "persistent.h"

#include "property_reflection.h"

void TfrxPersistent::Assign(const TfrxPersistent& source) { CopyPublishedProperties(source, *this); }
