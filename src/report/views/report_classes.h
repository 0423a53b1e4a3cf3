#pragma once

#include <QList>
#include <QMetaObject>
#include <QStringView>

class QObject;
class TfrxComponent;

// The report object classes known by name, for reading templates and prepared pages. The
// model's own classes are known from the start; other parts register theirs.
QList<const QMetaObject*> ReportClasses();
void RegisterReportClass(const QMetaObject& metaObject);
const QMetaObject* FindReportClass(QStringView className);

// A new object of the class with the given owner (see TfrxComponent), or none when the class
// cannot be created.
TfrxComponent* CreateReportObject(const QMetaObject& metaObject, QObject* owner);
