#pragma once
// File dialog filters the main window's commands share.

#include <QString>

inline const QString MediatekOpenFilter = QStringLiteral(
    "Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Font File (.mtf)|*.mtf|Binary File (*.bin)|*.bin|All Files (*.*)|*.*");
inline const QString MediatekSaveFilter = QStringLiteral(
    "Mediatek Font or Binary File (*.mtf,*.bin)|*.mtf;*.bin|Mediatek Font File (*.mtf)|*.mtf|Binary File "
    "(*.bin)|*.bin|All Files (*.*)|*.*");
