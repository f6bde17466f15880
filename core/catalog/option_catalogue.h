// The option catalogue: every descriptor object of the driver, as constant data.
//
// There is no lookup by keyword and no list of all descriptors: readers name the object they need.
// An object describing a record field is named after it (DtLayout: layoutOption); the objects of
// options without a field are named the same way (offsetOption, languageVersionOption).
#pragma once

// Installed units and page setup.
#include "core/catalog/catalogue_installed_units_page_setup.h"
// Layout and finishing.
#include "core/catalog/catalogue_layout_finishing.h"
// Slitting, creasing, output division, margins and target paper.
#include "core/catalog/catalogue_output_margins_target_paper.h"
// Tray media.
#include "core/catalog/catalogue_tray_media.h"
// Output tray and image quality.
#include "core/catalog/catalogue_output_tray_image_quality.h"
// Print modes, banner page and perfect binding.
#include "core/catalog/catalogue_print_mode_perfect_binding.h"
// Covers and post inserter.
#include "core/catalog/catalogue_covers_post_inserter.h"
// Page-exception and tab-insertion templates (no record field).
#include "core/catalog/catalogue_page_exception_templates.h"
// Image shift, stamping and forms.
#include "core/catalog/catalogue_image_shift_stamping_forms.h"
// Delivery, authentication and security.
#include "core/catalog/catalogue_delivery_security.h"
// Tab paper.
#include "core/catalog/catalogue_tab_paper.h"
// Page lists, chapters and settings-application options.
#include "core/catalog/catalogue_page_lists_application.h"
