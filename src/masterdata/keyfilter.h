#pragma once

class QLineEdit;

// Discards, while typing, the characters that would disturb a search or a short
// code in a statement: ! % & ' , = ? [ \ ] ^ " @. A paste is not filtered: the
// statements bind such text as a parameter.
void DiscardSearchPunctuation(QLineEdit* edit);
