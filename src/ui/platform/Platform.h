// The desktop program's platform side in one include.
//
// Start-up (main):     QApplication app(argc, argv); InitialisePlatform(app);
//                      (Dutch standard buttons, clock, locale, F1 for help)
// Main window owns:    QtPrompts prompts{this}; QtSettingsStore settings;
//                      SetHelpOwner(this); SetHelpContext(this, kHelpNoCompetition)
//                      (10 = kHelpClassShown while a class is shown).
// "&Algemeen":         RunGeneralSettings(settings, prompts, this), then show or
//                      hide the toolbar by ToolbarVisible(settings).
// "&Help...":          ShowHelpContents();  help button: ShowHelp(context).
// "&Informatie...":    ShowInformation(competition, this).
// Dialogs:             SetHelpContext(dialog, n) for F1; ConnectHelpButton(button, n).
// Model text:          FromModelText / ToModelText (cp1252 <-> QString).
#pragma once

#include "ui/platform/Application.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"
#include "ui/platform/QtClockLocale.h"
#include "ui/platform/QtPrompts.h"
#include "ui/platform/QtSettingsStore.h"
