#pragma once

#include <QString>

// The help of the program: one HTML page per form topic in the shipped "help" folder.
class THelpTopics {
 public:
  // The topic of a form: its object name without the last three characters ("MemberEditFrm"
  // gives "MemberEdit").
  static QString TopicOf(const QString& formName);
  // The page of a topic; the main page when the topic has none; empty when the help is missing.
  static QString PageOf(const QString& topic);
  static constexpr char kMainTopic[] = "main";
};
