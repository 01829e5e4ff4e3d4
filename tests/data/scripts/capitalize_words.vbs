' Rule: Split on a space, UCase of the first character and LCase of the rest, and Join back.
' Rule: An array element is assigned by its index in parentheses.
' Case: "hello wORLD" => "Hello World"
' Case: "a  b" => "A  B"
Function DataUpdated(Data)
  Dim words, w, i
  words = Split(Data, " ")
  For i = 0 To UBound(words)
    w = words(i)
    If Len(w) > 0 Then words(i) = UCase(Left(w, 1)) & LCase(Mid(w, 2))
  Next
  DataUpdated = Join(words, " ")
End Function
