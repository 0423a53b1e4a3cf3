#pragma once

#include "report/base/persistent.h"

#include "platform/date_time.h"

#include <QStringList>

// Descriptive data of a report template.
class TfrxReportOptions : public TfrxPersistent {
    Q_OBJECT
    Q_PROPERTY(QString Author READ Author WRITE SetAuthor)
    Q_PROPERTY(bool Compressed READ Compressed WRITE SetCompressed)
    Q_PROPERTY(double CreateDate READ CreateDate WRITE SetCreateDate)
    Q_PROPERTY(QStringList Description READ Description WRITE SetDescription)
    Q_PROPERTY(double LastChange READ LastChange WRITE SetLastChange)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(QString Password READ Password WRITE SetPassword)
    Q_PROPERTY(QString VersionBuild READ VersionBuild WRITE SetVersionBuild)
    Q_PROPERTY(QString VersionMajor READ VersionMajor WRITE SetVersionMajor)
    Q_PROPERTY(QString VersionMinor READ VersionMinor WRITE SetVersionMinor)
    Q_PROPERTY(QString VersionRelease READ VersionRelease WRITE SetVersionRelease)
    Q_CLASSINFO("default:Compressed", "false")
    Q_CLASSINFO("stored:Description", "IsDescriptionStored")

public:
    // Created and last changed now.
    Q_INVOKABLE explicit TfrxReportOptions(QObject* owner = nullptr);

    QString Author() const { return author_; }
    void SetAuthor(const QString& value) { author_ = value; }
    bool Compressed() const { return compressed_; }
    void SetCompressed(bool value) { compressed_ = value; }
    TDateTime CreateDate() const { return createDate_; }
    void SetCreateDate(TDateTime value) { createDate_ = value; }
    QStringList Description() const { return description_; }
    void SetDescription(const QStringList& value) { description_ = value; }
    TDateTime LastChange() const { return lastChange_; }
    void SetLastChange(TDateTime value) { lastChange_ = value; }
    QString Name() const { return name_; }
    void SetName(const QString& value) { name_ = value; }
    QString Password() const { return password_; }
    void SetPassword(const QString& value) { password_ = value; }
    QString VersionBuild() const { return versionBuild_; }
    void SetVersionBuild(const QString& value) { versionBuild_ = value; }
    QString VersionMajor() const { return versionMajor_; }
    void SetVersionMajor(const QString& value) { versionMajor_ = value; }
    QString VersionMinor() const { return versionMinor_; }
    void SetVersionMinor(const QString& value) { versionMinor_ = value; }
    QString VersionRelease() const { return versionRelease_; }
    void SetVersionRelease(const QString& value) { versionRelease_ = value; }

    Q_INVOKABLE bool IsDescriptionStored() const { return !description_.isEmpty(); }

private:
    QString author_;
    bool compressed_ = false;
    TDateTime createDate_;
    QStringList description_;
    TDateTime lastChange_;
    QString name_;
    QString password_;
    QString versionBuild_;
    QString versionMajor_;
    QString versionMinor_;
    QString versionRelease_;
};
