#pragma once

#include <QString>
#include <QtPlugin>
#include <optional>

class QWidget;

// The module "vorlix_druck" (Qt Print Support): everything that needs a printer. The printing
// windows join it here.
class DruckModul
{
public:
    virtual ~DruckModul() = default;
    // The printer dialog; the chosen printer's name, std::nullopt when cancelled.
    virtual std::optional<QString> drucker_waehlen(QWidget *eltern) = 0;
};

#define DruckModul_iid "vorlix.DruckModul/1"
Q_DECLARE_INTERFACE(DruckModul, DruckModul_iid)

inline constexpr const char *druck_modul_name = "vorlix_druck";
