#pragma once
#include <QString>

class Query;

// What the till's statistics windows share.

// " and alias.pos_note is not 'gd'": a held sale still waiting is no sale, so the
// statistics leave its ticket out.
QString NotHeldCondition(const QString& ticketAlias);

// The ticket of the current row (its gl_djh) in the preview; nothing on an empty
// or closed query.
void ViewPosTicket(Query& rows);
