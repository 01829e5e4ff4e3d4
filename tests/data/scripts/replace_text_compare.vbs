' Rule: Replace with vbTextCompare matches without letter case; a count limits the replacements.
' Rule: Replace with a start position returns the text from that position on.
' Case: "Foo foo FOO" => "bar bar bar|bar foo FOO|foo bar"
Function DataUpdated(Data)
  DataUpdated = Replace(Data, "foo", "bar", 1, -1, vbTextCompare) & "|" & _
    Replace(Data, "FOO", "bar", 1, 1, vbTextCompare) & "|" & _
    Replace(Data, "FOO", "bar", 5)
End Function
