#include "AdvancedSettingsInputWidget.h"

#include <RM_Room.h>

AdvancedSettingsInputWidget::AdvancedSettingsInputWidget(QWidget * parent, RM::Room * room) :
	QWidget(parent),
	m_room(room)
{
}


void AdvancedSettingsInputWidget::updateInput() {
	emit enableMoistureBalanceInputs(m_room->m_moistureBalanceEnabled);
}


void AdvancedSettingsInputWidget::setMoistureBalanceDisabled(bool disabled) {
	if (disabled && m_room->m_moistureBalanceEnabled) {
		m_room->m_moistureBalanceEnabled = false;
		emit enableMoistureBalanceInputs(false);
	}
}
