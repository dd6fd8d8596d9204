#pragma once

#include "media/DateFilter.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;

namespace stowly {

class AppModel;

// The choices above the media list: the project name with its recent names, the camera, the
// quick dump switch and the days to copy. They write into the session and the settings and
// follow them back.
class MediaFields : public QWidget {
    Q_OBJECT
public:
    MediaFields(AppModel& model, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The fields two by two, or each on a line of its own where a longer language leaves the
    // project no room beside the camera.
    void arrange(bool sideBySide);
    void update();
    void fillRecentMenu();
    void fillDates();
    // "Choose Dates…": the first and last day from calendars.
    void chooseDates();
    static QString dateModeName(DateFilter::Mode mode, const DateFilter& filter);

    AppModel& m_model;
    QLineEdit* m_project;
    QMenu* m_recent;
    QComboBox* m_camera;
    QCheckBox* m_quickDump;
    QComboBox* m_dates;
    QLabel* m_projectLabel;
    QLabel* m_cameraLabel;
    QLabel* m_datesLabel;
    bool m_sideBySide = true;
};

} // namespace stowly
