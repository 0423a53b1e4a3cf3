#pragma once

#include <QString>

class TfrxComponent;

// How a printed object differs from the template object it was printed from, in the compact
// form prepared pages keep: short attribute names, booleans as "1"/"0", enumerations by number.
//
// The difference is made of parts, each class writing its parent class's parts first: the
// component part (every report object), the view part (views) and the text part (text objects).
// A band carries at least its `t`, a text object at least its `u`.
QString Diff(const TfrxComponent& object, const TfrxComponent& templ);
// The component part alone.
QString ComponentDiff(const TfrxComponent& object, const TfrxComponent& templ);

// The full form against the template (all of it without one), followed by the component part
// of the difference when there is a template.
QString AllDiff(const TfrxComponent& object, const TfrxComponent* templ);
